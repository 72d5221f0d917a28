#pragma once
// The command line of quenlith, parsed into the window states it stands for.
#include <string>
#include <vector>

#include "encoding/download_link.h"
#include "encoding/text.h"

struct CliOptions {
  bool ftp = false;                          // --scheme: http (default) or ftp
  LinkFormat format = LinkFormat::Thunder;   // --format
  Text marker;                               // --marker, bytes as given
  std::string input = "-";                   // FILE, or "-" for standard input
  bool save = false;                         // --save: convert each FILE as a dropped file
  std::vector<std::string> files;            // the FILEs of --save
  bool help = false;
  bool version = false;
};

struct ParsedCommandLine {
  CliOptions options;
  std::string error;  // empty when the command line is good
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

extern const char kUsage[];
