#pragma once
// The value kind of spin edits and numeric edits.

namespace dsp {

enum class TbsValueType { vtInteger, vtFloat };

} // namespace dsp
