// Reading, writing and the HTML block of a full document: 99 buttons with
// the fields a real bar has (links, frames, hints, status texts, sounds,
// images, two-line captions, per-state colours).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "document/AppletDocumentHost.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "document/NewDocument.h"
#include "model/AppletHTML.h"

namespace {

using namespace wendle;
using namespace wendle::document;

std::unique_ptr<TVelkForm> fullDocument() {
    auto applet = newDocumentApplet();
    applet->setClientSize(640, 3200);
    applet->setImageName("background.jpg");
    applet->setImagePath("/home/user/Pictures/background.jpg");
    applet->setAltHTML("<P>This menu needs Java.</P><A HREF=\"map.html\">Site map</A>");
    for (int i = 0; i < kMaxButtons; ++i) {
        const int slot = applet->CreateMenuItem().slot;
        const std::string n = std::to_string(i + 1);
        for (int state = 1; state <= kStateCount; ++state) {
            TVelkPanel& panel = *applet->statePanel(state, slot);
            panel.setCaption("Section " + n + "\r\nof the shop");
            panel.setLink("http://www.example.com/shop/section" + n + ".html");
            panel.setFrame("main");
            panel.setHintText("Opens section " + n);
            panel.setStatus("Section " + n + ": everything about it");
            panel.setSoundName("click.wav");
            panel.setSoundPath("/home/user/Sounds/click.wav");
            panel.setImageName("face" + std::to_string(state) + ".gif");
            panel.setImagePath("/home/user/Pictures/face" + std::to_string(state) + ".gif");
            panel.setTextBoxText("You are about to visit section " + n);
            panel.setBkColor(0x00102030u * Colour(state));
            panel.setFade(state != 2);
            panel.setShowHighlight(state == 2);
        }
    }
    return applet;
}

void BM_ComposeDocument(benchmark::State& state) {
    auto applet = fullDocument();
    std::size_t bytes = 0;
    for (auto _ : state) {
        ComposedDocument document = composeDocument(*applet);
        bytes = document.bytes.size();
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes));
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_ComposeDocument)->Unit(benchmark::kMicrosecond);

void BM_BuildAppletHTML(benchmark::State& state) {
    auto applet = fullDocument();
    for (auto _ : state) {
        auto lines = buildAppletHTML(*applet);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_BuildAppletHTML)->Unit(benchmark::kMicrosecond);

void BM_ReadDocument(benchmark::State& state) {
    const std::string bytes = composeDocument(*fullDocument()).bytes;
    AppletDocumentHost host;
    for (auto _ : state) {
        const ReadResult result = readDocumentText(bytes, "/bench/full.wdf", host);
        if (!result.succeeded())
            state.SkipWithError("the document did not read");
        benchmark::DoNotOptimize(host.applet());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMicrosecond);

// Save as the program does it: compose, temporary file, fsync, rename.
void BM_SaveDocumentToDisk(benchmark::State& state) {
    char folder[] = "/tmp/wendle-bench-XXXXXX";
    if (!::mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/full.wdf";
    auto applet = fullDocument();
    applet->setDocumentPath(path);
    AppletDocumentHost host;
    for (auto _ : state) {
        if (!writeDocument(*applet, host).saved())
            state.SkipWithError("the save failed");
    }
    ::unlink(path.c_str());
    ::rmdir(folder);
}
BENCHMARK(BM_SaveDocumentToDisk)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
