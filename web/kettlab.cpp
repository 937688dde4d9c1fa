#include "Program.hpp"

#include "chain/KettlabForm.hpp"

namespace web {

std::unique_ptr<core::ProgramForm> makeProgramForm()
{
    return std::make_unique<chain::KettlabForm>();
}

} // namespace web
