// replaced by the text tool
