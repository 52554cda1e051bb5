#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

// An error in the station's own words, as logic returns it; the window shows
// `text` in a message box, the tools print it.
struct Failure {
    QString text;
    qsizetype line = -1; // the input line it concerns, counted from 0; -1 for none
};

// A value or a Failure. Logic returns these instead of throwing, so that no
// exception crosses a signal, slot or thread boundary.
//   Result<double> r = ParseReal(text);
//   if (!r) return Failure{r.error()};
template <typename T> class Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const QString& error() const { return std::get<1>(state_).text; }
    Failure failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

// For operations that return nothing but may fail.
class Status {
public:
    Status() = default;
    Status(Failure failure) : failure_(std::move(failure)) {}
    static Status success() { return {}; }

    bool ok() const { return !failure_.has_value(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return failure_->text; }
    Failure failure() const { return *failure_; }

private:
    std::optional<Failure> failure_;
};
