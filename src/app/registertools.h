#pragma once

namespace tq {

class ToolOpener;

// Registers the window factory of every tool this build contains.
void registerTools(ToolOpener &opener);

} // namespace tq
