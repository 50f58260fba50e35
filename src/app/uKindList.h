#pragma once

class TKoKindRegistry;

// Registers every event and action kind in the order the kind chooser lists them.
void RegisterKinds(TKoKindRegistry& Registry);
