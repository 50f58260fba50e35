#pragma once

// Identifiers of the resources in kolvane.rc.
#define IDI_KOLVANE 1
