#pragma once

#include "core/ProgramForm.hpp"

#include <memory>

namespace web {

// The program this page runs; each program's page links its own.
std::unique_ptr<core::ProgramForm> makeProgramForm();

} // namespace web
