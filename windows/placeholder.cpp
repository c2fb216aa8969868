// placeholder until this library has code
