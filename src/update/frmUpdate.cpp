#include "frmUpdate.h"

#include "platform/Appearance.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

namespace {

// Sizes as designed, in pixels at 96 dots per inch (15 twips a pixel); they grow
// with the screen's logical DPI and with a larger font, so no text is clipped.
constexpr int clientWidth = 359;
constexpr int logTop = 112;
constexpr int logHeight = 123;
constexpr int foldedHeight = logTop + 7;
constexpr int unfoldedHeight = logTop + logHeight + 27;

} // namespace

frmUpdate::frmUpdate(const QString &programTitle)
    : QDialog(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmUpdate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(programTitle + QStringLiteral(", checking for update."));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(scaled(8), scaled(6), scaled(clientWidth - 16), scaled(38));
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAccessibleDescription(QStringLiteral("Update status"));

    lblWebURL = new QLabel(this);
    lblWebURL->setObjectName(QStringLiteral("lblWebURL"));
    lblWebURL->setGeometry(scaled(8), scaled(46), scaled(clientWidth - 16), scaled(20));
    lblWebURL->setTextFormat(Qt::RichText);
    lblWebURL->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblWebURL->setCursor(Qt::PointingHandCursor);
    lblWebURL->hide();
    connect(lblWebURL, &QLabel::linkActivated, this, &frmUpdate::linkClicked);

    Command3 = new QPushButton(QStringLiteral("More"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(scaled(clientWidth - 168), scaled(74), scaled(76), scaled(28));
    connect(Command3, &QPushButton::clicked, this, &frmUpdate::Command3_Click);

    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(scaled(clientWidth - 84), scaled(74), scaled(76), scaled(28));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    txtLogging = new QPlainTextEdit(this);
    txtLogging->setObjectName(QStringLiteral("txtLogging"));
    txtLogging->setGeometry(scaled(8), scaled(logTop), scaled(clientWidth - 16), scaled(logHeight));
    txtLogging->setReadOnly(true);
    txtLogging->setAccessibleName(QStringLiteral("Update log"));
    txtLogging->hide();

    setFixedSize(scaled(clientWidth), scaled(foldedHeight));
}

int frmUpdate::scaled(int pixelsAt96) const
{
    return int(std::lround(pixelsAt96 * design_scale(*this)));
}

void frmUpdate::setStatus(const QString &text)
{
    Label1->setText(text);
}

void frmUpdate::setStatusColour(UpdateView::Colour colour)
{
    statusColour = colour;
    apply_statusColour();
}

void frmUpdate::apply_statusColour()
{
    const QPalette theme = palette();
    QPalette shown = Label1->palette();
    static const QColor hues[] = {QColor(0, 0, 0), QColor(0, 128, 0), QColor(255, 255, 0),
                                  QColor(255, 0, 0)};
    shown.setColor(QPalette::WindowText,
                   statusColour == UpdateView::Colour::Black
                       ? theme.color(QPalette::WindowText)
                       : readable_on(hues[int(statusColour)], theme.color(QPalette::Window)));
    Label1->setPalette(shown);
}

void frmUpdate::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && Label1)
        apply_statusColour();
    QWidget::changeEvent(event);
}

void frmUpdate::setLogText(const QString &text)
{
    log = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtLogging->setPlainText(shown);
    txtLogging->moveCursor(QTextCursor::End);
}

void frmUpdate::hideLog()
{
    txtLogging->hide();
}

void frmUpdate::hideLink()
{
    lblWebURL->hide();
}

void frmUpdate::showLink(const QString &caption, const QString &toolTip)
{
    const QColor link = palette().color(QPalette::Highlight);
    lblWebURL->setText(QStringLiteral("<a href=\"download\" style=\"color:%1\">%2</a>")
                           .arg(link.name(), caption.toHtmlEscaped()));
    // The file name as the page gives it. A tool tip that looks like markup (an
    // "&lt;") is drawn as rich text, so it goes in escaped and marked up.
    lblWebURL->setToolTip(QStringLiteral("<span>%1</span>").arg(toolTip.toHtmlEscaped()));
    lblWebURL->setAccessibleName(caption);
    lblWebURL->setAccessibleDescription(toolTip);
    lblWebURL->show();
}

void frmUpdate::setCloseEnabled(bool enabled)
{
    Command1->setEnabled(enabled);
}

void frmUpdate::Command3_Click()
{
    if (Command3->text() == QStringLiteral("More")) {
        txtLogging->show();
        Command3->setText(QStringLiteral("Less"));
        setFixedSize(scaled(clientWidth), scaled(unfoldedHeight));
    } else {
        Command3->setText(QStringLiteral("More"));
        txtLogging->hide();
        setFixedSize(scaled(clientWidth), scaled(foldedHeight));
    }
}
