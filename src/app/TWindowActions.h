#pragma once

#include <QObject>
#include <QString>

class TForm1;

// The desktop's habits for the calculator window: Ctrl+Q and Ctrl+W close it, ending the program; F1 shows
// what the program is, its version, its licence and where its manual is.
class TWindowActions : public QObject {
    Q_OBJECT
public:
    explicit TWindowActions(TForm1& form);

    // The About box's text, as rich text: the window's caption names the program.
    QString AboutText() const;
    void ShowAbout();

private:
    TForm1& form_;
};
