#include "core/design/op_amp_choice.h"

#include "core/checks/number_format.h"

namespace amp {

std::vector<FieldWrite> OpAmpFieldWrites(const OpAmpPart& part) {
    return {{Field::Avo, FormatShortestPlain(part.Avo)},
            {Field::fc, FormatShortestPlain(part.gbwMegahertz)}};
}

}  // namespace amp
