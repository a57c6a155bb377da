#pragma once

// The kind of pet the main window's radio buttons select. Only the check-up looks at it: one
// skill costs 250 skill points for an attendant pet and 300 for a mount pet.
enum TPetKind { pkAttendant, pkMount };
