// The errors a keyed collection raises, with the automation error numbers callers expect.
#pragma once
#include <stdexcept>

namespace brocade {

class CollectionError : public std::runtime_error {
public:
    static constexpr long kNotFound = 5;  // "Invalid procedure call or argument"
    static constexpr long kDuplicateKey = 457;

    explicit CollectionError(long number)
        : std::runtime_error(number == kDuplicateKey
                                 ? "This key is already associated with an element of this collection"
                                 : "Invalid procedure call or argument"),
          number_(number) {}

    long Number() const { return number_; }

private:
    long number_;
};

}  // namespace brocade
