// quenlith: the converter of the window, on the command line. It drives the
// same convert command through a window made of its options, so it converts
// exactly as the window does.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/cli_window.h"
#include "cli/options.h"
#include "cli/reporting_files.h"
#include "cli/terminal_text.h"
#include "conversion/dropped_file.h"
#include "conversion/run_conversion.h"
#include "files/platform_files.h"


namespace {

constexpr char kVersion[] = "quenlith 1.0.0";
// The pattern layer counts offsets in 32 bits.
constexpr size_t kMaxInputBytes = 0x7FFFFFFF;

void printLine(FILE* stream, const Text& gbk) {
  const Text text = toTerminalText(gbk);
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fputc('\n', stream);
}

bool readAll(FILE* file, Text& out) {
  char buffer[1 << 16];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    if (out.size() + got > kMaxInputBytes) {
      errno = EFBIG;
      return false;
    }
    out.append(buffer, got);
  }
  return !std::ferror(file);
}

// The input's bytes exactly as they are: no code page, line end or
// byte-order mark is touched.
bool readInput(const std::string& path, Text& out) {
  if (path == "-") return readAll(stdin, out);
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  const bool ok = readAll(file, out);
  const int readErrno = errno;
  std::fclose(file);
  errno = readErrno;
  return ok;
}

void printMessage(const Text& message) { printLine(stderr, message); }

// One drop per FILE, as if each were dropped on the window in turn.
int saveBesideEach(const CliOptions& options) {
  PlatformFiles platform;
  ReportingFiles files(platform, describeLastFileError);
  CommandLineWindow window(options, printMessage);
  int status = 0;
  for (const std::string& path : options.files) {
    files.startDrop();
    acceptDroppedFile(window, files, path, kCommandLinePaths);
    if (!files.openError.empty()) {
      std::fprintf(stderr, "quenlith: cannot read %s: %s\n", path.c_str(), files.openError.c_str());
      status = 1;
      continue;
    }
    if (files.saveFailed) status = 1;
    if (!files.savedPath.empty()) std::printf("%s\n", files.savedPath.c_str());
    printLine(stderr, window.text(ControlName::标签_信息));
  }
  return status;
}

int run(const std::vector<std::string>& args) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "quenlith: %s\n%s\n", parsed.error.c_str(), kUsage);
    return 2;
  }
  const CliOptions& options = parsed.options;
  if (options.help) {
    char help[2048];
    std::snprintf(help, sizeof help, "%s\n\n"
                "Turns every download address in FILE (or standard input) into a link of\n"
                "the chosen download manager, one per line, on standard output.\n\n"
                "  --scheme http|ftp    which addresses to pick out (default http)\n"
                "  --format NAME        thunder (default), flashget or xuanfeng\n"
                "  --marker TEXT        only addresses right after TEXT, a pattern in\n"
                "                       the input's own encoding\n"
                "  --save FILE...       convert each FILE as the window converts a dropped\n"
                "                       file, saving the links beside it as \"转换-\" + name\n"
                "  --help, --version",
                kUsage);
    printLine(stdout, help);
    return 0;
  }
  if (options.version) {
    std::printf("%s\n", kVersion);
    return 0;
  }

  if (options.save) return saveBesideEach(options);

  Text input;
  if (!readInput(options.input, input)) {
    const std::string name = options.input == "-" ? "standard input" : options.input;
    std::fprintf(stderr, "quenlith: cannot read %s: %s\n", name.c_str(), std::strerror(errno));
    return 1;
  }

  CommandLineWindow window(options, printMessage);
  window.moveTextIn(ControlName::编辑框_待转换内容, std::move(input));
  runConversion(window);

  const Text& output = window.text(ControlName::编辑框_已转换内容);
  std::fwrite(output.data(), 1, output.size(), stdout);
  std::fflush(stdout);
  printLine(stderr, window.text(ControlName::标签_信息));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The links end in CR LF already; text mode would double the CR.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::bad_alloc&) {
    std::fputs("quenlith: out of memory\n", stderr);
    return 1;
  }
}
