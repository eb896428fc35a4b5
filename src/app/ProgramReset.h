#pragma once

namespace ProgramReset {

// Back to the state of a fresh start, for tests: the shared record, every
// seam, the remembered file failures.
void resetForTests();

} // namespace ProgramReset
