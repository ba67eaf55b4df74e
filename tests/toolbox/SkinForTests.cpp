// The process's skin engine for the application tests, created before the first test the
// way the start routine creates it, and released after the last.
#include "SkinEngine.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SkinEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        engine_ = std::make_unique<SkinEngine>();
        engine_->InitialiseResources();
    }
    void TearDown() override { engine_.reset(); }

private:
    std::unique_ptr<SkinEngine> engine_;
};

const ::testing::Environment* const skinEnvironment =
    ::testing::AddGlobalTestEnvironment(new SkinEnvironment);

} // namespace
