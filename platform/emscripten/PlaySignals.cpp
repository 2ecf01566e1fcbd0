#include "platform/PlaySignals.h"

// A page gets no signals: a player ends the game with Escape, and closing the
// tab ends it with the page.
struct CPlaySignals::CSaved {};

CPlaySignals::CPlaySignals() = default;

CPlaySignals::~CPlaySignals() = default;

bool CPlaySignals::stopRequested() const { return false; }
