#pragma once

#include <string>
#include <vector>

namespace wendle::content {

// Draws every template in its three states with the batch tool's render
// command into programFolder + "Samples/", then writes programFolder +
// "Samples.html", which shows them with what each one demonstrates.
// programFolder ends in "/". Returns the problems.
std::vector<std::string> writeSamplesPage(const std::string& programFolder,
                                          const std::string& batchTool);

}  // namespace wendle::content
