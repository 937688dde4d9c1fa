#include "Program.hpp"

#include "wavepair/PaarlabForm.hpp"

namespace web {

std::unique_ptr<core::ProgramForm> makeProgramForm()
{
    return std::make_unique<wavepair::PaarlabForm>();
}

} // namespace web
