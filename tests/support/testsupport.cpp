#include "testsupport.h"

#include "app/forms.h"
#include "app/messagebox.h"
#include "app/shutdown.h"
#include "resources/appearance.h"

#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace TestSupport {

static int g_processEnds = 0;

// A message box that no test expected fails the running test at once, with its text, and is
// answered with its default button so that the test ends instead of waiting for a user.
static std::optional<QMessageBox::StandardButton> failUnexpectedBox(QMessageBox &box) {
    const QString what = QStringLiteral("unexpected message box: \"%1\"").arg(box.text());
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    if (QPushButton *def = box.defaultButton())
        return box.standardButton(def);
    return box.standardButton(box.buttons().value(0));
}

void prepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir home;
    const QString root = home.path();
    for (const char *sub : {"config", "runtime", "data", "cache"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(root + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", root.toUtf8());
    qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (root + "/runtime").toUtf8());
    qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (root + "/cache").toUtf8());
}

void prepareApplication(QApplication &app) {
    app.setQuitOnLastWindowClosed(false);
    Appearance::apply(app);
    modHelp::setProcessEnd([] { ++g_processEnds; });
    modHelp::setMsgBoxAnswerer(failUnexpectedBox);
}

MessageBoxes::MessageBoxes() {
    modHelp::setMsgBoxAnswerer(
        [this](QMessageBox &box) -> std::optional<QMessageBox::StandardButton> {
            if (m_look)
                m_look(box);
            ShownBox shown;
            shown.text = box.text();
            shown.title = box.windowTitle();
            shown.icon = box.icon();
            shown.buttons = box.standardButtons();
            if (QPushButton *def = box.defaultButton())
                shown.defaultButton = box.standardButton(def);
            m_shown.append(shown);
            if (!m_answers.empty()) {
                const auto answer = m_answers.front();
                m_answers.pop_front();
                return answer;
            }
            if (shown.defaultButton != QMessageBox::NoButton)
                return shown.defaultButton;
            return box.standardButton(box.buttons().value(0));
        });
}

MessageBoxes::~MessageBoxes() {
    modHelp::setMsgBoxAnswerer(failUnexpectedBox);
}

QStringList MessageBoxes::texts() const {
    QStringList all;
    for (const ShownBox &box : m_shown)
        all << box.text;
    return all;
}

BrowserRecorder::BrowserRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
}

BrowserRecorder::~BrowserRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void BrowserRecorder::open(const QUrl &url) {
    // Exactly what a browser is given on the command line.
    addresses << QString::fromLatin1(url.toEncoded());
    if (m_look)
        m_look();
}

NativeShows::NativeShows(QString windowName) : m_windowName(std::move(windowName)) {
    qApp->installEventFilter(this);
}

NativeShows::~NativeShows() {
    qApp->removeEventFilter(this);
}

bool NativeShows::eventFilter(QObject *receiver, QEvent *event) {
    if (event->type() == QEvent::Show && receiver->isWindowType() &&
        receiver->objectName() == m_windowName + QStringLiteral("Window"))
        ++count;
    return false;
}

int processEnds() {
    return g_processEnds;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QRect pixelsOf(QRect twips) {
    return QRect(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                 qRound(twips.height() / 15.0));
}

QStringList frontToBack(const QWidget *container, const QStringList &names) {
    QStringList stacked;
    for (const QObject *child : container->children())
        if (names.contains(child->objectName()))
            stacked.prepend(child->objectName());
    return stacked;
}

namespace {

// The text of a caption as it is drawn: "&" marks an access key and "&&" shows one "&".
QString drawnText(const QString &caption) {
    QString shown = caption;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    return shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Where a widget's text lies, in the widget's own coordinates, or nothing when it has none.
QRect textArea(const QWidget *widget) {
    const QFontMetrics metrics(widget->font());
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect area = label->wordWrap() ? QRect(0, 0, label->width(), 1 << 20) : label->rect();
        QRect text = metrics.boundingRect(area, flags, label->text());
        if (label->wordWrap())
            text.moveTop(0);
        return text;
    }
    // A button's text is centred between its borders; a box's text and a frame's title start
    // a few pixels in.
    if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        const int width = metrics.horizontalAdvance(drawnText(button->text()));
        return QRect((button->width() - width) / 2, 0, width, button->height());
    }
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return QRect(3, 0, metrics.horizontalAdvance(box->text()), box->height());
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(widget)) {
        int width = 0;
        for (const QString &line : box->toPlainText().split(QLatin1Char('\n')))
            width = std::max(width, metrics.horizontalAdvance(line));
        return QRect(box->viewport()->geometry().left() + 4, 0, width, box->height());
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title().isEmpty()
                   ? QRect()
                   : QRect(8, 0, metrics.horizontalAdvance(frame->title()), metrics.height());
    return {};
}

// The part of a widget its frame leaves for text: a button's or a box's border is no place
// for it, nor a box's scroll bar.
QRect roomFor(const QWidget *widget) {
    if (qobject_cast<const QPushButton *>(widget))
        return widget->rect().adjusted(3, 0, -3, 0);
    if (qobject_cast<const QLineEdit *>(widget))
        return widget->rect().adjusted(0, 0, -2, 0);
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(widget))
        return QRect(0, 0, box->viewport()->geometry().right() - 3, box->height());
    if (qobject_cast<const QGroupBox *>(widget))
        return widget->rect().adjusted(0, 0, -4, 0);
    return widget->rect();
}

} // namespace

QStringList clippedCaptions(const QWidget *window) {
    QStringList clipped;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        const QRect text = textArea(widget);
        if (text.isEmpty() || !widget->isVisibleTo(window))
            continue;
        const QRect inView = widget->visibleRegion().boundingRect();
        if (inView.isEmpty())
            continue;
        const bool container = qobject_cast<const QGroupBox *>(widget);
        // A frame's title stands on its border, which the widgets inside leave in view.
        if ((!container && !inView.contains(text)) || !roomFor(widget).contains(text) ||
            text.bottom() >= widget->height()) {
            clipped << widget->objectName();
            continue;
        }
        // Nor may it come within two pixels of a widget beside it (of its text, for a label),
        // but for a twin in the same place that it covers or that covers it. A frame's title
        // keeps to its frame's width.
        const QWidget *parent = widget->parentWidget();
        const QRect drawn = text.translated(widget->pos()).adjusted(-2, 0, 2, 0);
        for (const QObject *child : parent && !container ? parent->children() : QObjectList()) {
            const auto *sibling = qobject_cast<const QWidget *>(child);
            if (!sibling || sibling == widget || !sibling->isVisibleTo(window) ||
                sibling->isWindow() || sibling->geometry() == widget->geometry() ||
                sibling->geometry().contains(widget->geometry()) ||
                widget->geometry().contains(sibling->geometry()))
                continue;
            const QRect occupied = qobject_cast<const QLabel *>(sibling)
                                       ? textArea(sibling).translated(sibling->pos())
                                       : sibling->geometry();
            if (occupied.intersects(drawn)) {
                clipped << widget->objectName() + QStringLiteral(" over ") + sibling->objectName();
                break;
            }
        }
    }
    // A menu bar shows every one of its menus in its one row.
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>())
        for (QAction *action : bar->actions())
            if (!bar->rect().contains(bar->actionGeometry(action)) ||
                bar->actionGeometry(action).isEmpty())
                clipped << action->objectName();
    return clipped;
}

void startApplication() {
    Forms::frmStartup();
    settle();
}

void endApplication() {
    // A window opened by a close handler during shutdown would close with the process; here
    // the process goes on, so shutdown runs again until no window is left.
    for (int round = 0; round < 5 && !Forms::loadedWindows().isEmpty(); ++round)
        modHelp::ExitApplication();
    settle();
}

} // namespace TestSupport
