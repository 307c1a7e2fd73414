#pragma once

#include "platform/form/TPropertyTable.h"

#include <QLabel>

#include <string>

// A caption that sizes itself to its text; its Left and Top stay where the form put them.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    static const TPropertyTable<TLabel>& Properties();

protected:
    void changeEvent(QEvent* event) override;
};
