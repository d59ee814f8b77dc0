#include "clsUpdate.h"

#include "platform/MessageBox.h"
#include "platform/Transfer.h"
#include "platform/WebAddress.h"
#include "support/LenientNumber.h"

#include <QUrl>

#include <limits>

namespace {

using Colour = UpdateView::Colour;

const QString signature = QStringLiteral("Ostrowind");
const QString upToDateStatus = QStringLiteral("Your current program version is up to date");
const QString invalidFileStatus =
    QStringLiteral("The update file information is not found or invalid");

qint16 version_number(const QString &text)
{
    return LenientNumber::to_int16(text);
}

// "1" "." "10" read back as one number: 1.1, so a minor of 10 is older than 9.
double major_minor(qint16 major, qint16 minor)
{
    return LenientNumber::to_double(QString::number(major) + QLatin1Char('.') +
                                    QString::number(minor));
}

// An update file joins the server address in the download link; it must not be
// able to turn the link into anything but a file on that server. Empty when the
// two make no plain http or https address.
QString download_link(const QString &server, const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    for (const QChar c : fileName) {
        if (c.unicode() < 0x21 || c.unicode() == 0x7F || c == QLatin1Char('"') ||
            c == QLatin1Char('\'') || c == QLatin1Char('\\') || c == QLatin1Char('<') ||
            c == QLatin1Char('>') || c == QLatin1Char('`') || c == QLatin1Char(':'))
            return {};
    }
    QString address = server + QLatin1Char('/') + fileName;
    return is_webAddress(QUrl(address, QUrl::StrictMode)) ? address : QString();
}

} // namespace

clsUpdate::clsUpdate(const QString &programName, const QString &programTitle,
                     qint16 languageVersion, Transfer &transfer, MessageBox &messages,
                     UpdateView &view, const ProgramVersion &ownVersion, const QLocale &locale,
                     int timeoutMs)
    : programName(programName), programTitle(programTitle), languageVersion(languageVersion),
      transfer(transfer), messages(messages), view(view), ownVersion(ownVersion), locale(locale),
      timeoutMs(timeoutMs)
{}

// Plain decimal text in the user's format: 1000000, never 1e+06.
QString clsUpdate::number_text(double value) const
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', QLocale::FloatingPointShortest);
}

void clsUpdate::append_logging(const QString &text)
{
    QString log = view.logText();
    if (log.size() > 15000)
        log = log.right(10000);
    view.setLogText(log + text + QStringLiteral("\r\n"));
}

void clsUpdate::status(const QString &text, Colour colour)
{
    view.setStatus(text);
    view.setStatusColour(colour);
}

void clsUpdate::check4update()
{
    if (running)
        return;
    running = true;
    runningSilent = Silent;
    emit started();
    if (!runningSilent) {
        view.open();
        status(QString(), Colour::Black);
        view.setLogText(QString());
        view.hideLog();
        view.hideLink();
        view.setCloseEnabled(false);
    }
    const QString contacting = QStringLiteral("Contacting webserver ") + URL;
    view.setStatus(contacting);
    append_logging(contacting);
    transfer.fetch(URL, timeoutMs, this, [this](const TransferResult &result) { fetched(result); });
}

void clsUpdate::fetched(const TransferResult &fetched)
{
    running = false;
    if (!fetched.ok) {
        emit finished();
        view.setCloseEnabled(true);
        append_logging(QStringLiteral("  ") + fetched.description);
        messages.show(QStringLiteral("error ") + fetched.description, MessageBox::Icon::Information,
                      programTitle);
        status(QStringLiteral("Failed to connect to ") + URL, Colour::Red);
        return;
    }
    check_page(fetched.data, runningSilent);
    emit finished();
    view.setCloseEnabled(true);
}

void clsUpdate::check_page(const QByteArray &bytes, bool silent)
{
    const QString page = QString::fromLatin1(bytes);
    append_logging(QStringLiteral("Check signature"));
    if (!page.contains(signature)) {
        if (!silent) {
            append_logging(QStringLiteral("  signature not found"));
            status(QStringLiteral("Can not contact webserver, maybe behind proxy "), Colour::Red);
        }
        return;
    }
    if (check_programVersion(page))
        check_documentationVersion(page);
}

// Returns whether the language and documentation files are to be looked at.
bool clsUpdate::check_programVersion(const QString &page)
{
    const QString &p = programName;
    append_logging(QStringLiteral("look for program version information"));
    status(QStringLiteral("Look for program version information"), Colour::Yellow);

    const qsizetype marker = page.indexOf(p + QStringLiteral(" Version "));
    qint16 major = 0, minor = 0, revision = 0;
    bool found = false;
    if (marker >= 0) {
        append_logging(QStringLiteral("  found program version information"));
        const QString field = page.mid(marker + p.size() + 10, 10);
        const qsizetype d1 = field.indexOf(QLatin1Char('.'));
        const qsizetype d2 = d1 < 0 ? -1 : field.indexOf(QLatin1Char('.'), d1 + 1);
        const qsizetype s = d2 < 0 ? -1 : field.indexOf(QLatin1Char(' '), d2 + 1);
        if (s >= 0) {
            major = version_number(field.left(d1));
            minor = version_number(field.mid(d1 + 1, d2 - d1 - 1));
            revision = version_number(field.mid(d2 + 1, s - d2 - 1));
            found = true;
        }
    }
    if (!found) {
        const QString none = QStringLiteral("No version information found for app ") + p;
        append_logging(QLatin1Char(' ') + none);
        status(none, Colour::Red);
        return true;
    }

    status(QStringLiteral("This app = %1.%2.%3, the update = %4.%5.%6")
               .arg(ownVersion.major)
               .arg(ownVersion.minor)
               .arg(ownVersion.revision)
               .arg(major)
               .arg(minor)
               .arg(revision),
           Colour::Green);
    const double own = major_minor(ownVersion.major, ownVersion.minor);
    const double offered = major_minor(major, minor);
    append_logging(QStringLiteral("current version = ") + number_text(own) +
                   QStringLiteral(", rev:") + QString::number(ownVersion.revision));
    append_logging(QStringLiteral("update version  = ") + number_text(offered) +
                   QStringLiteral(", rev:") + QString::number(revision));

    const bool newer = offered > own || (offered == own && revision > ownVersion.revision);
    if (!newer) {
        append_logging(QLatin1Char(' ') + upToDateStatus);
        status(upToDateStatus, Colour::Green);
        return true;
    }
    append_logging(QStringLiteral(" a newer version is available..."));
    if (take_updateFile(page, QStringLiteral("UpdateFile_") + p + QLatin1Char('=')))
        status(QStringLiteral("There is a newer version of this program "), Colour::Green);
    return false;
}

void clsUpdate::check_documentationVersion(const QString &page)
{
    const QString &p = programName;
    append_logging(QString(51, QLatin1Char('=')));
    append_logging(QStringLiteral("look for language/documentation version information"));
    status(QStringLiteral("Look for language/documentation version information"), Colour::Yellow);

    const qint16 installed = languageVersion;
    const qsizetype marker = page.indexOf(p + QStringLiteral(" Language/Documentation Version "));
    if (marker < 0) {
        const QString none = QStringLiteral("No version information found for app ") + p;
        append_logging(QLatin1Char(' ') + none);
        status(none, Colour::Red);
        return;
    }
    append_logging(QStringLiteral("  found language/documentation version information"));
    const QString field = page.mid(marker + p.size() + 33, 10);
    const qsizetype space = field.indexOf(QLatin1Char(' '));
    if (space < 0) {
        const QString none =
            QStringLiteral("No documentation/language version information found for app ") + p;
        append_logging(QLatin1Char(' ') + none);
        status(none, Colour::Red);
        return;
    }
    const double offered = LenientNumber::to_double(field.left(space));
    status(QStringLiteral("This doc/language = ") + number_text(installed) +
               QStringLiteral(", the update = ") + number_text(offered),
           Colour::Green);
    append_logging(QStringLiteral("current version = ") + number_text(installed));
    append_logging(QStringLiteral("update version  = ") + number_text(offered));

    if (!(offered > double(installed))) {
        const QString upToDate =
            QStringLiteral("Your current documentation/language version is up to date");
        append_logging(QLatin1Char(' ') + upToDate);
        status(upToDate, Colour::Green);
        return;
    }
    append_logging(QStringLiteral(" a newer version is available..."));
    if (take_updateFile(page, QStringLiteral("UpdateFile_DocLang_") + p + QLatin1Char('=')))
        status(QStringLiteral("There is a newer version of the documentaion/language"),
               Colour::Green);
}

// Finds the update-file entry; on success sets UpdateFile, opens the window and shows
// the link. A missing or unsafe entry is reported as not found or invalid.
bool clsUpdate::take_updateFile(const QString &page, const QString &key)
{
    const qsizetype at = page.indexOf(key);
    QString value;
    if (at >= 0) {
        const qsizetype start = at + key.size();
        const qsizetype end = start < page.size() ? page.indexOf(QLatin1Char(' '), start + 1) : -1;
        if (end >= 0)
            value = page.mid(start, end - start);
    }
    if (download_link(URL, value).isEmpty()) {
        append_logging(QStringLiteral("    did not found version information"));
        status(invalidFileStatus, Colour::Red);
        return false;
    }
    updateFile = value;
    append_logging(QStringLiteral("    update is available"));
    view.open();
    const QString caption = QStringLiteral("Download the update ") + updateFile;
    view.showLink(caption, caption + QStringLiteral(" from ") + URL, download_address());
    return true;
}

QString clsUpdate::download_address() const
{
    return download_link(URL, updateFile);
}
