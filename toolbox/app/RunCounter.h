// The run counter: how often the toolbox was started on this machine, kept in
// "C:\tavro.txt" as plain decimal text. Nothing reads it but the counter itself.
#pragma once

namespace toolbox {

// Reads the counter (missing, unreadable or non-numeric counts as 0), adds one with
// 32-bit wrap-around and writes it back. Every failure is silent.
void CountRun();

} // namespace toolbox
