// The program of a layer's link probe: the whole layer is linked in beside it, so
// every call the layer makes must be found in the layer itself or below it.
int main() { return 0; }
