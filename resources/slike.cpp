// The pictures live in the resource objects that qt_add_resources attaches to this library.
