#pragma once
// The errors of reading and writing picture files. Each message names the
// file kind and says what is wrong, e.g. "not a valid bitmap: palette index 9
// beyond the 4 colours of the palette".

#include <stdexcept>
#include <string>

namespace dsp {

class PictureError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A BMP file that cannot be read: "not a valid bitmap: <reason>".
class InvalidBitmap : public PictureError {
  public:
    explicit InvalidBitmap(const std::string& reason) : PictureError("not a valid bitmap: " + reason) {}
};

// A JPEG file that the decoder rejects: "not a valid JPEG picture: <reason>".
class InvalidJpeg : public PictureError {
  public:
    explicit InvalidJpeg(const std::string& reason) : PictureError("not a valid JPEG picture: " + reason) {}
};

// A PNG file that cannot be read or written.
class InvalidPng : public PictureError {
  public:
    explicit InvalidPng(const std::string& reason) : PictureError("not a valid PNG picture: " + reason) {}
};

}  // namespace dsp
