#pragma once
// The plain decimal text that a few labels and messages carry (the jump
// drawings, the side weir's stop message), as opposed to the masks of the
// result boxes: a blank before a value that is not negative and a minus sign
// before a negative one; "." as the point whatever the locale; no trailing
// zeros and no point for a whole value; no zero before the point of a value
// between -1 and 1 (0.2 is " .2"); at most 15 significant digits; very large or
// very small values in E notation (" 1E-05"). A value that is not finite
// writes nothing.

#include <string>

namespace quelmora {

std::string EscribirNumeroPlano(double valor);

} // namespace quelmora
