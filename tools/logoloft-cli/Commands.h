// The commands of logoloft-cli; each takes the words after the command and returns the exit status.
#pragma once

#include <string>
#include <vector>

int RunPrnCommand(const std::vector<std::string>& args);
int RunShowCommand(const std::vector<std::string>& args);
int RunSendCommand(const std::vector<std::string>& args);
int RunDownloadCommand(const std::vector<std::string>& args);
int RunPrintCommand(const std::vector<std::string>& args);

// Prints the usage text to stderr and returns the status of a usage error.
int UsageError(const std::string& why);
