// Drawing a full applet of 99 buttons: cold (every cache flagged stale, so
// the canvas and every face are drawn again) and warm (nothing changed, so a
// paint only copies cached pixels), with and without captions; against the
// floors of filling and of copying the same number of pixels.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/VelkForm.h"
#include "render/AppletPainter.h"
#include "render/CaptionCache.h"
#include "render/Raster.h"
#include "render/qt/HeadlessGui.h"

namespace {

using namespace wendle;

constexpr int kColumns = 11;
constexpr int kRows = 9;
constexpr int kFaceWidth = 95;
constexpr int kFaceHeight = 30;
constexpr int kBorder = 4;

// 99 buttons of the default look in an 11 x 9 grid, all in view.
// With distinctLooks, every button fades to a colour of its own.
std::unique_ptr<TVelkForm> makeApplet(bool captions, bool distinctLooks = false) {
    auto applet = std::make_unique<TVelkForm>();
    applet->setClientSize(kColumns * kFaceWidth + 2 * kBorder + 2,
                          kRows * kFaceHeight + 2 * kBorder + 2 + kToolBarStrip);
    applet->setFade(true);
    for (int n = 0; n < kMaxButtons; ++n) {
        const int slot = applet->CreateMenuItem().slot;
        const int left = kBorder + 1 + (n % kColumns) * kFaceWidth;
        const int top = kBorder + 1 + kToolBarStrip + (n / kColumns) * kFaceHeight;
        for (int state = 1; state <= kStateCount; ++state) {
            TVelkPanel* face = applet->statePanel(state, slot);
            face->setBounds(left, top, kFaceWidth, kFaceHeight);
            if (!captions)
                face->setCaption("");
            if (distinctLooks)
                face->setFadeColor(rgb(std::uint8_t(n), 0, std::uint8_t(255 - n)));
        }
    }
    return applet;
}

std::int64_t pixelsDrawn(const TVelkForm& applet) {
    return std::int64_t(applet.appletWidth()) * applet.appletHeight() +
           std::int64_t(kMaxButtons) * kFaceWidth * kFaceHeight;
}

void markEverythingStale(TVelkForm& applet) {
    applet.setModif(true);
    for (int slot : applet.usedSlots()) applet.statePanel(1, slot)->setModified(true);
}

// Cold: every face is drawn again. With freshCaptions, the caption masks
// are made again too, as on the first draw after start-up.
void BM_PaintCold(benchmark::State& state) {
    auto applet = makeApplet(state.range(0) != 0, state.range(1) != 0);
    const bool freshCaptions = state.range(2) != 0;
    Raster target;
    paintApplet(*applet, target, 1);
    for (auto _ : state) {
        if (freshCaptions)
            CaptionCache::instance().clear();
        markEverythingStale(*applet);
        paintApplet(*applet, target, 1);
        benchmark::DoNotOptimize(target.row(0));
    }
    state.SetItemsProcessed(state.iterations() * pixelsDrawn(*applet));
}
BENCHMARK(BM_PaintCold)
    ->ArgNames({"captions", "distinctLooks", "freshCaptions"})
    ->Args({0, 0, 0})
    ->Args({0, 1, 0})
    ->Args({1, 0, 0})
    ->Args({1, 0, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_PaintWarm(benchmark::State& state) {
    auto applet = makeApplet(state.range(0) != 0);
    Raster target;
    paintApplet(*applet, target, 1);
    for (auto _ : state) {
        paintApplet(*applet, target, 1);
        benchmark::DoNotOptimize(target.row(0));
    }
    state.SetItemsProcessed(state.iterations() * pixelsDrawn(*applet));
}
BENCHMARK(BM_PaintWarm)->ArgName("captions")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The floor of cold drawing: one plain fill of every pixel the canvas and
// the faces hold.
void BM_PlainFillFloor(benchmark::State& state) {
    auto applet = makeApplet(false);
    Raster canvas(applet->appletWidth(), applet->appletHeight());
    std::vector<Raster> faces(kMaxButtons, Raster(kFaceWidth, kFaceHeight));
    Colour colour = 0;
    for (auto _ : state) {
        canvas.fill(colour);
        for (Raster& face : faces) face.fill(colour);
        colour ^= 0x00010101;
        benchmark::DoNotOptimize(canvas.row(0));
    }
    state.SetItemsProcessed(state.iterations() * pixelsDrawn(*applet));
}
BENCHMARK(BM_PlainFillFloor)->Unit(benchmark::kMicrosecond);

// The floor of a warm paint: copying the canvas and 99 face rasters into place.
void BM_PixelCopyFloor(benchmark::State& state) {
    auto applet = makeApplet(false);
    Raster canvas(applet->appletWidth(), applet->appletHeight());
    Raster target(applet->appletWidth(), applet->appletHeight());
    const std::vector<Raster> faces(kMaxButtons, Raster(kFaceWidth, kFaceHeight));
    for (auto _ : state) {
        target.draw(canvas, 0, 0);
        for (int n = 0; n < kMaxButtons; ++n) {
            target.draw(faces[std::size_t(n)], kBorder + 1 + (n % kColumns) * kFaceWidth,
                        kBorder + 1 + (n / kColumns) * kFaceHeight);
        }
        benchmark::DoNotOptimize(target.row(0));
    }
    state.SetItemsProcessed(state.iterations() * pixelsDrawn(*applet));
}
BENCHMARK(BM_PixelCopyFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Captions need a QGuiApplication; offscreen, as everywhere headless.
    wendle::HeadlessGui gui;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
