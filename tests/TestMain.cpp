// The main of every test binary: a run that executes no test fails, so a filter that
// matches nothing cannot pass for a green run.

#include <gtest/gtest.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Plain "\n" line ends, as the tools reading this output under Wine expect.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no test was run\n");
        return 1;
    }
    return status;
}
