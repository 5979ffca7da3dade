// Busy time of one pointer move while a button is dragged in the preview:
// the move handled, and the part of the preview it dirtied painted again.
// The full bar (99 captioned buttons in an 11 x 9 grid) against the same
// applet holding only the dragged button.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include "editor/AppletView.h"
#include "editor/Preview.h"
#include "editor/UserDialogs.h"
#include "editor/main.h"
#include "model/VelkForm.h"

namespace {

using namespace wendle;

// Answers nothing and shows nothing: a first-use hint must not stop the run.
class SilentDialogs : public UserDialogs {
  public:
    void showMessage(const QString&) override {}
    void showWarning(const QString&) override {}
    Answer ask(const QString&, bool) override { return Answer::No; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
    QString chooseOpenFile(const FileRequest&) override { return {}; }
    QString chooseSaveFile(const FileRequest&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    HelpPage prepareHelp(int) override { return {}; }
    QString openExternal(const QString&) override { return {}; }
    QString startProgram(const QString&, const QString&, const QString&) override { return {}; }
};

constexpr int kColumns = 11, kFaceWidth = 95, kFaceHeight = 30, kBorder = 4;
constexpr int kDragged = 49;  // in the middle of the grid

// The full bar's applet with all its buttons, or with the dragged one alone.
std::unique_ptr<TVelkForm> gridApplet(bool everyButton) {
    auto applet = std::make_unique<TVelkForm>();
    applet->setClientSize(kColumns * kFaceWidth + 2 * kBorder + 2,
                          (kMaxButtons / kColumns) * kFaceHeight + 2 * kBorder + 2 + kToolBarStrip);
    applet->setFade(true);
    for (int n = 0; n < kMaxButtons; ++n) {
        if (!everyButton && n != kDragged)
            continue;
        const int slot = applet->CreateMenuItem().slot;
        const int left = kBorder + 1 + (n % kColumns) * kFaceWidth;
        const int top = kBorder + 1 + kToolBarStrip + (n / kColumns) * kFaceHeight;
        for (int state = 1; state <= kStateCount; ++state)
            applet->statePanel(state, slot)->setBounds(left, top, kFaceWidth, kFaceHeight);
    }
    return applet;
}

// Counts the paints of the view, so the run shows that every move painted.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void send(QWidget* view, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

void BM_DragMove(benchmark::State& state) {
    const bool everyButton = state.range(0) == kMaxButtons;
    SilentDialogs dialogs;
    TmainWindow main(dialogs, QString(WENDLE_PROGRAM_DIR) + "/");
    main.documentCommands().adoptApplet(gridApplet(everyButton));
    main.showCentred();
    QWidget* view = main.preview()->view();
    QApplication::processEvents();

    // The dragged button's middle, in the view (its canvas starts below the
    // preview's tool bar strip).
    const QPoint start(kBorder + 1 + (kDragged % kColumns) * kFaceWidth + kFaceWidth / 2,
                       kBorder + 1 + (kDragged / kColumns) * kFaceHeight + kFaceHeight / 2);
    send(view, QEvent::MouseButtonPress, start, Qt::LeftButton);
    PaintCounter counter;
    view->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        // Back and forth by a few pixels, so the button stays where it is.
        const QPoint to = start + QPoint(step % 2 == 0 ? 3 : 0, step % 2 == 0 ? 2 : 0);
        ++step;
        send(view, QEvent::MouseMove, to, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    }
    state.counters["paints"] =
        benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
    view->removeEventFilter(&counter);
    send(view, QEvent::MouseButtonRelease, start, Qt::NoButton);
    QApplication::processEvents();
}
BENCHMARK(BM_DragMove)->ArgName("buttons")->Arg(1)->Arg(kMaxButtons)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
