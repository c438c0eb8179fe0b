#include "core/design/example_data.h"

namespace amp {

std::vector<FieldWrite> ExampleData() {
    return {
        {Field::fi, "5"},    {Field::fs, "20000"}, {Field::Ri, "33"},
        {Field::Avcb, "11"}, {Field::R2, "1"},     {Field::R, "50"},
        {Field::R3, "3.3"},  {Field::R5, "15"},    {Field::RL, "10"},
    };
}

std::vector<FieldWrite> ClearAllFields() {
    std::vector<FieldWrite> writes;
    writes.reserve(kFieldCount);
    for (int box = 1; box <= kFieldCount; ++box) writes.push_back({FieldOfTextBox(box), ""});
    return writes;
}

}  // namespace amp
