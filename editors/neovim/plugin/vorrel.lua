-- SPDX-License-Identifier: MIT
-- Commands of the Vorrel host. The host is off until the user starts it, with :VorrelHostStart
-- or require("vorrel").start() in init.lua.
if vim.g.loaded_vorrel_host then
  return
end
vim.g.loaded_vorrel_host = true

vim.api.nvim_create_user_command("VorrelHostStart", function()
  require("vorrel").start()
end, { desc = "Let the Vorrel wizard insert its tools into the document you edit" })
vim.api.nvim_create_user_command("VorrelHostStop", function()
  require("vorrel").stop()
end, { desc = "Stop being the Vorrel wizard's host editor" })
