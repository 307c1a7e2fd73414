#pragma once

#include "chart/canvas/TColor.h"
#include "platform/form/TFormLoadContext.h"
#include "platform/form/TFormReader.h"
#include "platform/form/TPropertyTable.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>



// A top-level window built from a form description. OnActivate runs once, when the window first becomes
// the active window; the keyboard focus then goes to the first control in tab order.
class TCustomForm : public QWidget {
    Q_OBJECT
public:
    TCustomForm();

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    // The window icon from the rows of an XPM image.
    void SetIcon(const std::vector<std::string>& xpmRows);
    bool Activated() const { return activated_; }

    std::function<void()> OnActivate;

    static const TPropertyTable<TCustomForm>& Properties();

protected:
    // Reads the form text onto this window: the root object must be of class rootClass, its handlers are
    // looked up in methods. Throws EFormError naming fileName and the line; the window is then unusable.
    void LoadForm(std::string_view text, const std::string& fileName, const std::string& rootClass,
                  const TPropertyTable<TCustomForm>& properties, const TFormClassTable& classes,
                  const std::map<std::string, std::function<void()>>& methods);

    bool event(QEvent* event) override;

private:
    void LinkLabels(const std::string& fileName);
    void ArrangeTabOrder();

    TColor color_ = clBtnFace;
    bool activated_ = false;
    QWidget* firstControl_ = nullptr;
};

// The control classes a form may create: TLabel, TEdit, TButton, TRadioGroup.
TFormClassTable StandardControlClasses();
