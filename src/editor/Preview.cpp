#include "editor/Preview.h"

#include <functional>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/AppletView.h"
#include "editor/Texts.h"
#include "editor/main.h"
#include "model/UpdatingControls.h"

namespace wendle {

namespace {
constexpr int kMinimumClientHeight = kToolBarStrip + 1;
// Five commands of this width and two separators fit a new applet's width.
constexpr int kCommandWidth = 19;
// Between the preview and the main window beside it.
constexpr int kGap = 12;

// One of the program's PNG pictures as an icon. The reader is told the
// format: left to find it, Qt asks every image plugin on the system first,
// loading each of them.
QIcon pngIcon(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}
}  // namespace

TPreviewWindow::TPreviewWindow(TmainWindow& main, QWidget* parent)
    // A tool window of the main window: above its owner only, never above
    // the dialogs or other programs.
    : QWidget(parent, Qt::Tool), main_(main) {
    setObjectName("PreviewWindow");
    setWindowTitle(texts::kPreviewTitle);

    ToolBar1_ = new QToolBar(this);
    ToolBar1_->setObjectName("ToolBar1");
    ToolBar1_->setIconSize(QSize(16, 16));
    ToolBar1_->setFixedHeight(kToolBarStrip);
    // All five commands fit the narrowest usual applet (a new one is 105
    // pixels wide) instead of hiding behind an overflow button.
    ToolBar1_->setStyleSheet(
        "QToolBar { spacing: 0px; padding: 0px; margin: 0px; border: none; }"
        "QToolButton { padding: 1px; margin: 0px; }"
        "QToolBar::separator { width: 3px; }");
    ToolBar1_->setMovable(false);
    ToolBar1_->setFloatable(false);
    ToolBar1_->setGeometry(0, 0, width(), kToolBarStrip);
    // The command runs on a pointer to the window captured by value: gcc's
    // sanitizer misreads a member call made through the reference member.
    TmainWindow* window = &main_;
    // The program's own pictures: looking the style's ones up in the icon
    // theme took a fifth of the start-up.
    auto addButton = [this](const char* name, const char* hint, const char* icon,
                            std::function<void()> command) {
        QAction* action = ToolBar1_->addAction(
            pngIcon(QStringLiteral(":/wendle/toolbar/%1.png").arg(QLatin1StringView(icon))), hint);
        action->setObjectName(name);
        action->setToolTip(hint);
        if (QWidget* button = ToolBar1_->widgetForAction(action))
            button->setFixedSize(kCommandWidth, kToolBarStrip - 2);
        connect(action, &QAction::triggered, this, std::move(command));
    };
    addButton("ToolButton1", texts::kSaveHint, "save",
              [window] { window->documentCommands().saveDocument(); });
    ToolBar1_->addSeparator();
    addButton("ToolButton4", texts::kNewButtonHint, "new-button",
              [window] { window->newButton(); });
    addButton("ToolButton5", texts::kDuplicateButtonHint, "duplicate-button",
              [window] { window->duplicateButton(); });
    addButton("ToolButton3", texts::kButtonPropertiesHint, "button-properties",
              [window] { window->showButtonProperties(); });
    ToolBar1_->addSeparator();
    addButton("ToolButton6", texts::kDeleteButtonHint, "delete-button",
              [window] { window->deleteButtons(); });

    view_ = new AppletView(main_, this);
    view_->setObjectName("AppletView");
    followAppletSize();
}

TPreviewWindow::~TPreviewWindow() = default;

TVelkForm& TPreviewWindow::applet() {
    return main_.applet();
}

void TPreviewWindow::followAppletSize() {
    UpdatingControlsScope updating;
    userMayResize_ = false;
    resize(applet().clientWidth(), applet().clientHeight());
    ToolBar1_->setGeometry(0, 0, width(), kToolBarStrip);
    view_->setGeometry(0, kToolBarStrip, width(), std::max(0, height() - kToolBarStrip));
    if (isVisible())
        keepOnScreen();
}

void TPreviewWindow::placeBeside(const QRect& owner) {
    const QRect screen = availableArea(owner.center());
    const QRect frame = frameGeometry();
    // Right of the owner where it fits, else left of it; keepOnScreen pulls
    // it in when neither side has room.
    int left = owner.right() + kGap;
    if (left + frame.width() > screen.right() &&
        owner.left() - kGap - frame.width() >= screen.left())
        left = owner.left() - kGap - frame.width();
    move(left, owner.top());
    keepOnScreen();
}

void TPreviewWindow::keepOnScreen() {
    const QRect screen = availableArea(frameGeometry().center());
    QRect frame = frameGeometry();
    if (frame.right() > screen.right())
        frame.moveRight(screen.right());
    if (frame.bottom() > screen.bottom())
        frame.moveBottom(screen.bottom());
    if (frame.left() < screen.left())
        frame.moveLeft(screen.left());
    if (frame.top() < screen.top())
        frame.moveTop(screen.top());
    if (frame.topLeft() != frameGeometry().topLeft())
        move(frame.topLeft());
}

QRect TPreviewWindow::availableArea(const QPoint& near) const {
    const QScreen* at = QGuiApplication::screenAt(near);
    if (!at)
        at = screen() ? screen() : QGuiApplication::primaryScreen();
    return at ? at->availableGeometry() : QRect();
}

void TPreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ToolBar1_->setGeometry(0, 0, width(), kToolBarStrip);
    view_->setGeometry(0, kToolBarStrip, width(), std::max(0, height() - kToolBarStrip));
    // Until the user reaches the window, a new size is the answer of the
    // window system to the program's own request (a window manager may
    // shrink or move a window it finds too large): never a user's edit.
    if (updatingControls() || !userMayResize_ || height() < kMinimumClientHeight)
        return;
    if (width() == applet().clientWidth() && height() == applet().clientHeight())
        return;
    // The user resized the window: the applet takes the new size.
    main_.appletResized(width(), height());
}

bool TPreviewWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
            userMayResize_ = false;
            break;
        case QEvent::Enter:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
            userMayResize_ = true;
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void TPreviewWindow::closeEvent(QCloseEvent* event) {
    // Closing the preview only hides it; "Show Preview" brings it back.
    event->ignore();
    hide();
}

}  // namespace wendle
