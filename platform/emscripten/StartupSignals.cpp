#include "platform/StartupSignals.h"

// A page gets no signals; while the game starts, closing the tab ends it.
struct CStartupSignals::CSaved {};

CStartupSignals::CStartupSignals() = default;

CStartupSignals::~CStartupSignals() = default;

void CStartupSignals::end() {}
