#pragma once
// The number properties the numeric boxes (numeric edit, spin edit) show,
// forwarded to the box's value model. Each box sets its value itself.

#include "controls/model/value_type.h"

namespace dsp {

template <class Model>
class NumberProperties {
  public:
    double Value() const { return model_.Value(); }
    double MinValue() const { return model_.MinValue(); }
    void SetMinValue(double v) { model_.SetMinValue(v); }
    double MaxValue() const { return model_.MaxValue(); }
    void SetMaxValue(double v) { model_.SetMaxValue(v); }
    double Increment() const { return model_.Increment(); }
    void SetIncrement(double v) { model_.SetIncrement(v); }
    TbsValueType ValueType() const { return model_.ValueType(); }
    void SetValueType(TbsValueType t) { model_.SetValueType(t); }
    int Decimal() const { return model_.Decimal(); }
    void SetDecimal(int d) { model_.SetDecimal(d); }

  protected:
    ~NumberProperties() = default;

    Model model_;
};

}  // namespace dsp
