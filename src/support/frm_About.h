#pragma once

#include <QDialog>
#include <QString>

class ShellOpen;

// What the About window shows: title, author, description, the translators of the
// installed language files, the web site link, the legal notice; a disclaimer beside
// them. Kept above other windows and centred on the screen; it closes with OK.
struct AboutTexts
{
    QString programTitle;
    QString authorLine;
    QString programDescription;
    QString translators; // one "language by translator" a line
    QString webAddress;
    QString legalNotice; // empty: not set in the build
};

// Not modal; Esc closes it, as it closes every dialog.
class frm_About final : public QDialog
{
    Q_OBJECT

public:
    frm_About(const AboutTexts &texts, ShellOpen &shell);

private:
    void lblWebURL_Click();

    QString webAddress;
    ShellOpen &shell;
};
