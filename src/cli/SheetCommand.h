#pragma once

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"

namespace radioprog::cli {

// `sheet FILE.Vkf -o SHEET.pdf [--all] [--language en|zh-cn|zh-tw] [--paper a4|letter]`:
// the one-page channel sheet of a project as a PDF, drawn without a display. The only
// command that needs Qt, so it lives in a library of its own.
void AddSheetCommand(CLI::App& app, CliContext& context);

}  // namespace radioprog::cli
