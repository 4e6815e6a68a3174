#include "testsupport.h"

#include "app/forms.h"
#include "app/messagebox.h"
#include "app/shutdown.h"
#include "resources/appearance.h"

#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextLayout>

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

// A text as a font draws it, in lines of the width given (on one line when 0): whether a
// character has no glyph in the font nor in any of its fallbacks, the height of its lines,
// which grow for a fallback face's taller letters, and how far what it draws reaches past them:
// Devanagari's signs above the line, Arabic's marks above and below it. A pixel counts as drawn
// from a quarter of its coverage on.
struct Drawn {
    bool missingGlyph = false;
    int height = 0;
    QMargins beyondLines;
};
Drawn drawn(const QString &text, const QFont &font, int width = 0) {
    QTextLayout layout(QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator), font);
    QTextOption option;
    option.setWrapMode(width > 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width > 0 ? width : 1 << 20);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    Drawn result;
    result.height = qCeil(height);
    for (const QGlyphRun &run : layout.glyphRuns())
        result.missingGlyph |= run.glyphIndexes().contains(0);

    constexpr int margin = 16;
    const QSize lines(qCeil(width > 0 ? width : layout.maximumWidth()), result.height);
    QImage canvas(lines + QSize(2 * margin, 2 * margin), QImage::Format_Grayscale8);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.setPen(Qt::white);
        layout.draw(&painter, QPointF(margin, margin));
    }
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const uchar *row = canvas.constScanLine(y);
        for (int x = 0; x < canvas.width(); ++x)
            if (row[x] >= 64)
                ink |= QRect(x - margin, y - margin, 1, 1);
    }
    // Across, a line's ends are where its advances end, as before.
    if (!ink.isEmpty())
        result.beyondLines =
            QMargins(0, std::max(0, -ink.top()), 0, std::max(0, ink.bottom() + 1 - lines.height()));
    return result;
}

// A widget's text as it is drawn, and the width its lines wrap at (0 for one line).
std::pair<QString, int> shownText(const QWidget *widget) {
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return {label->text(), label->wordWrap() ? label->contentsRect().width() : 0};
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return {drawnText(button->text()), 0};
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return {box->text(), 0};
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(widget))
        return {box->toPlainText(), 0};
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return {drawnText(frame->title()), 0};
    return {};
}

// Where a text starts that lies a few pixels in from the reading side.
QRect fromReadingSide(const QWidget *widget, bool rightToLeft, int inset, int width, int height) {
    return QRect(rightToLeft ? widget->width() - inset - width : inset, 0, width, height);
}

// Where a widget's text lies, in the widget's own coordinates, or nothing when it has none: the
// lines that hold it and whatever its glyphs draw beyond them.
QRect textArea(const QWidget *widget) {
    const QFontMetrics metrics(widget->font());
    const auto [text, wrapWidth] = shownText(widget);
    if (text.isEmpty())
        return {};
    const Drawn lines = drawn(text, widget->font(), wrapWidth);
    const QMargins beyond = lines.beyondLines;
    // A label aligns its text by the text's own direction, a box by its content's.
    const bool rightToLeft = text.isRightToLeft();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        const int align = int(QStyle::visualAlignment(
            rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, label->alignment()));
        const int flags = align | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect area = label->wordWrap() ? QRect(0, 0, label->width(), 1 << 20) : label->rect();
        QRect held = metrics.boundingRect(area, flags, text);
        if (label->wordWrap())
            held.moveTop(0);
        return held + beyond;
    }
    // A button's text is centred between its borders; a box's text and a frame's title start
    // a few pixels in from the side they are read from, a box's in its middle and a frame's
    // title at its top.
    const int width = metrics.horizontalAdvance(text);
    const int middle = (widget->height() - lines.height) / 2;
    if (qobject_cast<const QPushButton *>(widget))
        return QRect((widget->width() - width) / 2, middle, width, lines.height) + beyond;
    if (qobject_cast<const QLineEdit *>(widget))
        return fromReadingSide(widget, rightToLeft, 3, width, widget->height());
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(widget)) {
        int widest = 0;
        for (const QString &line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const int inset = box->viewport()->geometry().left() + 4;
        return fromReadingSide(widget, rightToLeft, inset, widest, widget->height());
    }
    if (qobject_cast<const QGroupBox *>(widget))
        return fromReadingSide(widget, widget->isRightToLeft(), 8, width, metrics.height()) +
               beyond;
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

QStringList missingGlyphs(const QWidget *window) {
    QStringList missing;
    const auto check = [&](const QString &name, const QString &text, const QFont &font) {
        if (!text.isEmpty() && drawn(text, font).missingGlyph)
            missing << name;
    };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(window))
            check(widget->objectName(), shownText(widget).first, widget->font());
        for (const QAction *action : widget->actions())
            if (qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QMenu *>(widget))
                check(action->objectName(), drawnText(action->text()), widget->font());
    }
    return missing;
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
