#pragma once

#include "platform/form/TPropertyTable.h"

#include <QGroupBox>

#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QStyle;

// A captioned group of radio buttons laid out column by column, drawn like the classic control: the caption
// interrupts the frame's top line, which runs through the middle of the caption's text height above the
// buttons. OnClick runs only when the selected item changes.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // -1 when no item is selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    QRadioButton* Button(int index) const;
    // The rectangle the frame is drawn on and the one the caption covers, in the group's coordinates.
    QRect FrameRect() const;
    QRect CaptionRect() const;

    std::function<void()> OnClick;

    static const TPropertyTable<TRadioGroup>& Properties();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int CaptionTextHeight() const;
    void ArrangeButtons();
    void ButtonToggled(int index, bool checked);

    std::vector<std::string> items_;
    std::vector<QRadioButton*> buttons_;
    QButtonGroup* group_;
    QStyle* radioStyle_ = nullptr;
    int columns_ = 1;
    int itemIndex_ = -1;
};
