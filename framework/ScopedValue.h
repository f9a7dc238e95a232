// Gives a variable a value for the length of a scope and puts the old value back however the
// scope is left (a return, or an exception from anything called meanwhile).
#pragma once

template <class T>
class ScopedValue
{
public:
    ScopedValue(T& variable, T value) : m_variable(variable), m_old(variable)
    {
        m_variable = value;
    }
    ~ScopedValue() { m_variable = m_old; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& m_variable;
    T m_old;
};
