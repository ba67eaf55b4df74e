// A fixed slice of the mutated-archive soak, so regressions show in every test run; the
// whole soak is its own program (unzip_soak).
#include "SoakCase.h"
#include "SoakCorpus.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(UnzipSoakSample, MutatedArchivesNeverEscapeDamageOrLeaveTemporaryFiles) {
    TestFolder root;
    soak::SoakSummary summary = soak::RunCases(0, 48, root.Path());
    EXPECT_EQ(48u, summary.cases);
    EXPECT_EQ(0u, summary.failures);
}

TEST(UnzipSoakSample, SeedsExtractWholeExceptTheHostileOne) {
    TestFolder folder;
    const auto& seeds = soak::SeedArchives();
    for (size_t i = 0; i < seeds.size(); ++i) {
        SCOPED_TRACE(i);
        soak::CaseOutcome outcome = soak::RunCase(seeds[i], folder.Path());
        EXPECT_EQ("", outcome.fault);
        EXPECT_EQ(i == 3 ? 0 : 1, outcome.result); // seed 3 carries names outside the target
    }
}

} // namespace
