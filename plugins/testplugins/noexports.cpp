// A plugin that loads but offers neither decoder export.
int NoExportsPluginMarker = 0;
