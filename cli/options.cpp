#include "cli/options.h"

#include <optional>

const char kUsage[] =
    "usage: quenlith [--scheme http|ftp] [--format thunder|flashget|xuanfeng] "
    "[--marker TEXT] [FILE | -]\n"
    "       quenlith [options] --save FILE...";

namespace {

std::optional<LinkFormat> formatNamed(const std::string& name) {
  if (name == "thunder") return LinkFormat::Thunder;
  if (name == "flashget") return LinkFormat::FlashGet;
  if (name == "xuanfeng") return LinkFormat::Xuanfeng;
  return std::nullopt;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  CliOptions& options = parsed.options;
  bool haveInput = false;
  bool onlyOperands = false;

  for (size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
    std::string arg = args[i];
    // "-" is standard input, "--" ends the options; anything else with a dash is an option.
    const bool isOption = !onlyOperands && arg.size() > 1 && arg[0] == '-' && arg != "--";
    if (!isOption) {
      if (arg == "--" && !onlyOperands) {
        onlyOperands = true;
      } else if (options.save) {
        options.files.push_back(arg);
      } else if (haveInput) {
        parsed.error = "only one FILE may be given";
      } else {
        options.input = arg;
        haveInput = true;
      }
      continue;
    }

    // --name=value and --name value are the same.
    std::optional<std::string> inlineValue;
    if (const size_t eq = arg.find('='); eq != std::string::npos) {
      inlineValue = arg.substr(eq + 1);
      arg.erase(eq);
    }
    auto value = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 < args.size()) return args[++i];
      parsed.error = arg + " needs a value";
      return std::nullopt;
    };

    if (arg == "--help" || arg == "--version") {
      if (inlineValue) parsed.error = arg + " takes no value";
      (arg == "--help" ? options.help : options.version) = true;
    } else if (arg == "--scheme") {
      if (auto v = value()) {
        if (*v == "http" || *v == "ftp") options.ftp = *v == "ftp";
        else parsed.error = "--scheme takes http or ftp, not '" + *v + "'";
      }
    } else if (arg == "--format") {
      if (auto v = value()) {
        if (auto format = formatNamed(*v)) options.format = *format;
        else parsed.error = "--format takes thunder, flashget or xuanfeng, not '" + *v + "'";
      }
    } else if (arg == "--save") {
      if (inlineValue) parsed.error = "--save takes no value";
      if (haveInput) parsed.error = "--save comes before its FILEs";
      options.save = true;
    } else if (arg == "--marker") {
      if (auto v = value()) options.marker = *v;
    } else {
      parsed.error = "unknown option '" + arg + "'";
    }
  }
  if (parsed.error.empty() && options.save && options.files.empty() && !options.help && !options.version)
    parsed.error = "--save needs at least one FILE";
  return parsed;
}
