#include "platform/form/ControlProperties.h"

#include "platform/LayoutFont.h"
#include "platform/form/ControlColor.h"
#include "platform/form/FormValues.h"

#include <QVariant>

namespace {

constexpr const char* TabOrderProperty = "TabOrder";

template <class F>
void ChangeFont(QWidget& control, F change)
{
    QFont font = control.font();
    change(font);
    control.setFont(font);
}

}  // namespace

const TPropertyTable<QWidget>& FontProperties()
{
    static const TPropertyTable<QWidget> table = [] {
        TPropertyTable<QWidget> t("TFont");
        t.Add("Name", [](QWidget& c, const TFormValue& v) {
            const QString family = QtFontFamily(FormString(v));
            ChangeFont(c, [&](QFont& f) { f.setFamily(family); });
        });
        t.Add("Height", [](QWidget& c, const TFormValue& v) {
            const int height = FormInteger(v);
            if (height == 0) {
                FormValueMismatch(v, "a non-zero font height");
            }
            ChangeFont(c, [&](QFont& f) { f.setPixelSize(height < 0 ? -height : height); });
        });
        t.Add("Style", [](QWidget& c, const TFormValue& v) {
            bool bold = false, italic = false, underline = false, strikeOut = false;
            for (const std::string& member : FormSet(v)) {
                TFormValue name{TFormValueKind::Identifier, 0, 0.0, member, {}};
                *FormEnum<bool*>(name, {{"fsBold", &bold}, {"fsItalic", &italic}, {"fsUnderline", &underline},
                                        {"fsStrikeOut", &strikeOut}}) = true;
            }
            ChangeFont(c, [&](QFont& f) {
                f.setBold(bold);
                f.setItalic(italic);
                f.setUnderline(underline);
                f.setStrikeOut(strikeOut);
            });
        });
        t.Add("Color", [](QWidget& c, const TFormValue& v) {
            const QColor color = ControlColor(FormColor(v));
            QPalette palette = c.palette();
            for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
                palette.setColor(role, color);
            }
            c.setPalette(palette);
        });
        return t;
    }();
    return table;
}

const TPropertyTable<QWidget>& ControlProperties()
{
    static const TPropertyTable<QWidget> table = [] {
        TPropertyTable<QWidget> t("TControl");
        t.Add("Left", [](QWidget& c, const TFormValue& v) { c.move(FormInteger(v), c.y()); });
        t.Add("Top", [](QWidget& c, const TFormValue& v) { c.move(c.x(), FormInteger(v)); });
        t.Add("Width", [](QWidget& c, const TFormValue& v) { c.resize(FormInteger(v), c.height()); });
        t.Add("Height", [](QWidget& c, const TFormValue& v) { c.resize(c.width(), FormInteger(v)); });
        t.Add("TabOrder", [](QWidget& c, const TFormValue& v) {
            const int order = FormInteger(v);
            if (order < 0) {
                FormValueMismatch(v, "a tab position of 0 or more");
            }
            c.setProperty(TabOrderProperty, order);
        });
        t.AddObject<QWidget>("Font", [](QWidget& c) -> QWidget& { return c; }, FontProperties());
        return t;
    }();
    return table;
}

int TabOrderOf(const QWidget& control)
{
    const QVariant order = control.property(TabOrderProperty);
    return order.isValid() ? order.toInt() : -1;
}
