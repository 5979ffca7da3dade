#include <gtest/gtest.h>

#include <memory>

#include "render/qt/HeadlessGui.h"

namespace {

// Caption text needs a QGuiApplication for the whole test run: the test
// programs that draw captions are built with this file (HEADLESS_GUI).
class GuiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { gui_ = std::make_unique<wendle::HeadlessGui>(); }
    void TearDown() override { gui_.reset(); }

  private:
    std::unique_ptr<wendle::HeadlessGui> gui_;
};

[[maybe_unused]] ::testing::Environment* const kGui =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
