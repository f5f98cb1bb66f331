// Records the satellite computation's results for the random cases of orbit_cases.h into
// the fixture that the comparison test reads: record_orbit_results OUT_FILE. Built with
// the tests against this checkout's library; tools/record_orbit_results.sh builds it
// against another checkout's, to record what an earlier commit computed.
#include <cstdio>

#include "support/orbit_cases.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_FILE\n", argv[0]);
        return 2;
    }
    if (!orbit_cases::write_results(argv[1], orbit_cases::compute_results(orbit_cases::make_cases()))) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
