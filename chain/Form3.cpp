#include "Form3.hpp"

#include "ChainForms.hpp"
#include "InfoLayout.hpp"

namespace chain {

Form3::Form3()
{
    buildInfoWindow(this, form3Design());
}

} // namespace chain
