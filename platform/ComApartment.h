#pragma once
// COM for the calling thread for as long as the object lives: initialised
// as a single-threaded apartment (the shell link object needs one) and
// released on destruction.  Natively there is no COM; the object does nothing.
namespace nuvex {

class TComApartment {
 public:
  TComApartment();
  ~TComApartment();
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;
  // False when the thread could not enter an apartment.
  bool Initialised() const { return initialised_; }

 private:
  bool initialised_ = false;
};

}  // namespace nuvex
