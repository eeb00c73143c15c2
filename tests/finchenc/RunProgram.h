#pragma once

#include <string>
#include <vector>

namespace testsupport {
struct ProgramRun;
}  // namespace testsupport

namespace finch::test {

// Runs the built finchenc with the arguments and collects both output streams.
testsupport::ProgramRun runFinchencProgram(const std::vector<std::string>& arguments);

// Runs the built finchenc with its standard output on a pipe that nobody reads any more; returns the
// exit status (-1 when a signal ended it).
int runFinchencIntoClosedPipe(const std::vector<std::string>& arguments);

// Runs the built finchenc with its compressed file on the named FIFO, which this side holds open as a
// writer: the program's decode pass reads back what it wrote and then waits for more. Meanwhile this
// collects standard output (a pipe) until it holds `awaited` or thirty seconds pass, then closes the FIFO
// so the run can end, and returns what had arrived.
std::string outputWhileDecodeWaits(const std::vector<std::string>& arguments, const std::string& fifo,
                                   const std::string& awaited);

}  // namespace finch::test
