#pragma once

namespace finch {

struct FinchCodec;

// Decodes the Finch file cpf into the WAVE file fo, dropping the first decoded frame (the encoder's
// lag). The codec is set up again for rate; its noise generator runs on. Prints its own messages and
// returns the exit status.
int runDecodePass(FinchCodec& codec, const char* rate, const char* cpf, const char* fo);

}  // namespace finch
