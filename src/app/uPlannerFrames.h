#pragma once

class TPlannerFrameClassList;

// Registers the configuration frame of every kind that has settings: the action frames, then the
// event frames, each group in alphabetical order of its class name.
void RegisterPlannerFrames(TPlannerFrameClassList& Classes);
