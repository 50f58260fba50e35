#pragma once

class TEventLoop;
class TRemoteAccess;

// Ends every active dial-up connection, in the system's order, stopping at the first one that
// will not hang up; then lets a second pass (the modem needs it) before reporting. False when
// the connections cannot be listed (no remote-access support, more than 8) or one failed.
bool HangUpAllConnections(TRemoteAccess& RemoteAccess, TEventLoop& Loop);
