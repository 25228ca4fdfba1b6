#pragma once

#include <utility>

namespace grid {

// Gives a variable a value for the lifetime of a scope and, when the scope
// ends (also through an exception), the value it is to keep afterwards: its
// earlier value unless one is named.
template <typename T> class TScopedValue {
public:
    TScopedValue(T& variable, T during, T after) : FVariable(variable), FAfter(std::move(after))
    {
        FVariable = std::move(during);
    }
    TScopedValue(T& variable, T during) : TScopedValue(variable, std::move(during), T(variable)) {}
    ~TScopedValue() { FVariable = std::move(FAfter); }
    TScopedValue(const TScopedValue&) = delete;
    TScopedValue& operator=(const TScopedValue&) = delete;

private:
    T& FVariable;
    T FAfter;
};

}  // namespace grid
