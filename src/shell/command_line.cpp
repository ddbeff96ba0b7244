#include "shell/command_line.h"

#include <QCoreApplication>

#include <cstdio>
#include <string_view>

namespace purso {
namespace {

const QCommandLineOption& VersionOption() {
  static const QCommandLineOption option({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Show the version, and end."));
  return option;
}

}  // namespace

void DescribeCommandLine(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral("Tolva Account Organizer: plan and follow a household budget."));
  parser.addHelpOption();
  parser.addOption(VersionOption());
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("An account file (.pxf) to open."),
                               QStringLiteral("[file...]"));
}

bool AsksOnlyForText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") return false;
    for (const std::string_view text : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
      if (argument == text) return true;
    }
  }
  return false;
}

int AnswerWithText(int argc, char** argv, void (*setIdentity)()) {
  const QCoreApplication application(argc, argv);
  setIdentity();
  QCommandLineParser parser;
  DescribeCommandLine(parser);
  // Shows the help, or a fault in the command line, and ends the program.
  parser.process(QCoreApplication::arguments());
  if (parser.isSet(VersionOption())) {
    std::printf("purso (Tolva Account Organizer) %s\n", qPrintable(QCoreApplication::applicationVersion()));
  }
  return 0;
}

}  // namespace purso
