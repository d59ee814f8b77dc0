#pragma once

#include "UpdateView.h"
#include "support/ProgramIdentity.h"

#include <QLocale>
#include <QString>

class MessageBox;
class Transfer;

// Checks the web site for a newer program or, failing that, newer language and
// documentation files, by reading one update page. It reports on an UpdateView and
// downloads nothing itself.
class clsUpdate
{
public:
    static constexpr int fetchTimeoutMs = 15000;

    // programName is looked for on the page, programTitle heads the message boxes,
    // languageVersion is the lowest version of the installed language files and
    // ownVersion the one the program compares itself with; numbers in the status
    // and log are written in the locale's format.
    clsUpdate(const QString &programName, const QString &programTitle, qint16 languageVersion,
              Transfer &transfer, MessageBox &messages, UpdateView &view,
              const ProgramVersion &ownVersion = ProgramIdentity::program_version(),
              const QLocale &locale = QLocale(), int timeoutMs = fetchTimeoutMs);

    QString URL;
    QString UpdateFile() const { return updateFile; }
    void setSilent(bool silent) { Silent = silent; }

    // Runs one complete check; the menu entry of ctlForm is disabled meanwhile.
    void check4update(UpdateMenu &ctlForm);

    // The check of a fetched page alone, from the signature to the end.
    void check_page(const QByteArray &bytes);

    // The address the download link opens, or empty when URL and UpdateFile would
    // make anything but a plain http or https address. An update-file value that
    // gives no address is never taken.
    QString download_address() const;

private:
    void append_logging(const QString &text);
    void status(const QString &text, UpdateView::Colour colour);
    bool check_programVersion(const QString &page);
    void check_documentationVersion(const QString &page);
    bool take_updateFile(const QString &page, const QString &key);
    QString number_text(double value) const;

    QString programName;
    QString programTitle;
    qint16 languageVersion;
    Transfer &transfer;
    MessageBox &messages;
    UpdateView &view;
    QString updateFile;
    bool Silent = true;
    ProgramVersion ownVersion;
    QLocale locale;
    int timeoutMs;
};
