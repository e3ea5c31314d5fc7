#pragma once
// Where the learner is, kept in the user's settings per program folder, so the next
// start can offer to go back there: recorded as each screen of a course opens and as the
// learner goes back. A search window records nothing.
namespace lumora {

class Session;

namespace screens {

// After the screen of the current level was built.
void recordResumeScreen(const Session &session);
// After the current level dropped by one (a window closed).
void recordResumeBack(const Session &session);

} // namespace screens
} // namespace lumora
