#pragma once

// What the two timed programs print the moment their window has painted its
// first frame; the benchmark waits for it.
inline constexpr char first_frame_line[] = "painted\n";
