#include <gtest/gtest.h>

#include <memory>

#include "render/HeadlessGui.h"

namespace {

// The bar's captions are drawn, which needs a QGuiApplication.
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
