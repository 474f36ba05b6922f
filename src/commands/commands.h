#pragma once
// The editing and point-correction commands, one folder per family.
